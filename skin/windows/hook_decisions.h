// What the creation hook decides from facts it reads off a window: whether
// an activated window gets an automatic provider, and which adapter a
// foreign dialog's child window gets. Kept free of the platform so every
// rule can be checked without a display.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "skin/windows/adapter_kinds.h"

// What is known about a window being activated.
struct THookWindowFacts {
  bool AnswersSkinned = false;   // answers the "are you skinned" command
  bool HasDefaultManager = false;
  bool HasProvider = false;      // an automatic provider already serves it
  std::string ClassName;
  bool IsForm = false;           // one of the application's forms
  int FormTag = 0;
  bool StdForms = false;         // the manager's rules
  bool StdDialogs = false;
  int VisibleDialogProviders = 0;
  bool HasToolbarDescendant = false;
};

enum class THookActivation { Ignore, FormProvider, DialogProvider };

// A form with this Tag is never skinned automatically.
inline constexpr int NoAutoSkinTag = -98;

THookActivation DecideHookActivation(const THookWindowFacts& facts);

// The adapter a child window of a foreign dialog gets.
struct TvxChildAdapterChoice {
  bool Make = false;          // false: the child is left alone
  bool LeaveDialog = false;   // the whole dialog stays unskinned
  bool ListedOnly = false;    // kept in the list, never placed
  TvxAdapterKind Kind = TvxAdapterKind::EditWnd;
  std::string_view Section;
  bool DialogMode = false;
  int LeftOffset = 0;         // for the spin adapter
};

// `lowerClass` is the child's class name lower-cased; width and height are
// those of its window rectangle.
TvxChildAdapterChoice ChooseChildAdapter(std::string_view lowerClass, uint32_t style, int width,
                                         int height);

// The skin manager that the main forms of both programs store: the skin
// "Marl" looked for in a fixed folder, the menu settings and the ThirdParty
// lists as the manager's defaults. Only the folder differs.
#pragma once

#include <string>

class TComponent;
class TsSkinManager;

namespace brsm {

class LayoutReader;

// Reads "sSkinManager1" onto the owner form: the stored properties in their
// stored order (the folder before the name, so setting the name loads the
// skin from there).
TsSkinManager* ReadStoredSkinManager(LayoutReader& layout, TComponent* owner,
                                     const std::string& skinDirectory);

}  // namespace brsm

#include "skin/core/skin_constants.h"

#include "skin/core/skin_platform.h"

const TCacheInfo EmptyCacheInfo{};

int CachedHScrollArrowWidth() {
  static int width = 0;
  static int askedOf = -1;
  if (askedOf != SkinPlatformGeneration()) {
    width = SkinPlatform().HScrollArrowWidth();
    askedOf = SkinPlatformGeneration();
  }
  return width;
}

namespace {

const std::string defaultLists[ThirdPartyListCount] = {
    "TEdit\r\nTMemo\r\nTMaskEdit\r\nTLabeledEdit\r\nTHotKey\r\nTListBox\r\n"
    "TCheckListBox\r\nTDBListBox\r\nTRichEdit\r\nTDBMemo\r\nTSynEdit\r\n"
    "TSynMemo\r\nTDBSynEdit\r\nTDBLookupListBox\r\nTDBRichEdit\r\n"
    "TDBCtrlGrid\r\nTDateTimePicker\r\nTDBEdit",
    "TButton",
    "TBitBtn",
    "TCheckBox\r\nTRadioButton\r\nTDBCheckBox\r\nTDBCheckBoxEh\r\nTGroupButton",
    "TComboBox\r\nTColorBox\r\nTDBComboBox",
    "TStringGrid\r\nTDrawGrid\r\nTRichView\r\nTDBRichViewEdit\r\n"
    "TRichViewEdit\r\nTDBRichView\r\nTwwDBGrid\r\nTAdvStringGrid\r\n"
    "TDBAdvGrid\r\nTValueListEditor\r\nTDBGrid",
    "TGroupBox\r\nTDBRadioGroup\r\nTRadioGroup",
    "TListView",
    "TPanel\r\nTDBCtrlPanel",
    "TTreeView\r\nTRzTreeView\r\nTDBTreeView",
    "TDBLookupComboBox\r\nTwwDBComboBox\r\nTwwDBCustomCombo\r\n"
    "TwwDBCustomLookupCombo",
    "TDBGridEh",
    "TVirtualStringTree\r\nTVirtualStringTreeDB\r\nTEasyListview\r\n"
    "TVirtualExplorerListview\r\nTVirtualExplorerTreeview\r\n"
    "TVirtualExplorerTree\r\nTVirtualDrawTree",
};

const std::string noList;

}  // namespace

const std::string& DefaultThirdPartyList(int index) {
  if (index < 0 || index >= ThirdPartyListCount) return noList;
  return defaultLists[index];
}

#include "app/app_state.h"

AppPaths gAppPaths;
LoopState gLoop;
std::vector<Text> gCustomEntries;
std::vector<void*> gCustomEntryIcons;
std::vector<Text> gListedItems;
std::vector<void*> gListedIcons;

// Where the manager looks for skins. A relative skin directory is taken
// against the program's own folder, for archives and folders alike.
#pragma once

#include <string>

// `directory` as a full folder name:
// - ".." or "..\rest": the program folder's parent (a root is its own
//   parent), then rest;
// - "." or ".\rest" ("/" alike): the program folder, then rest;
// - a name holding ":" or starting with a separator ("D:\Skins",
//   "\\server\share", "/opt/skins") stays as it is;
// - anything else ("Skins", "..Skins") is put after the program folder.
// `programFolder` ends with a separator. No separator is added at the end.
std::string ResolveSkinDirectory(const std::string& directory, const std::string& programFolder);

// The same against the running program's folder.
std::string ResolveSkinDirectory(const std::string& directory);

// folder + name with exactly one separator between them.
std::string JoinSkinPath(const std::string& folder, const std::string& name);

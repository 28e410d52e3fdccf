// windows.h defines some of the class library's names as macros that pick
// the A or W entry point (DeleteFile, ReplaceFile, GetObject). Our code calls
// the W functions by their full names, so the macros are dropped here. The
// runtime headers include this; a Windows file that includes windows.h after
// them includes this again right after windows.h.
#ifdef DeleteFile
#undef DeleteFile
#endif
#ifdef ReplaceFile
#undef ReplaceFile
#endif
#ifdef GetObject
#undef GetObject
#endif

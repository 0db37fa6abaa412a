// The skin engine's one entry point, as every platform calls it.
#pragma once

#if defined(_WIN32) && !defined(_WIN64)
#define SKINENTRY_CALL __stdcall
#else
#define SKINENTRY_CALL
#endif

namespace vantrel {

inline constexpr const char* skinentryname = "SkinH_AttachRes";

// SkinH_AttachRes(block, size, key, 0, 0, 0): the callee removes its arguments on i686.
using SkinEntry = int(SKINENTRY_CALL*)(const void* block, int size, const char* key, int, int, int);

} // namespace vantrel

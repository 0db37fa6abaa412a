// A library named like the skin engine that lacks its entry point.
extern "C" int SkinH_SetAero(int) {
    return 0;
}

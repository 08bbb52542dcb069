/* A shared object the loader tests open for real. */
int HwFixtureAnswer(void) {
    return 42;
}

/* A program that needs zlib1.dll to start: the program check must refuse it. */
#include <zlib.h>

int main(void) { return zlibVersion()[0] == '1' ? 0 : 1; }

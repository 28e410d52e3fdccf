// Resource ids of the logo pictures; shared by logo.rc and the code that
// loads them (both programs link the same resource object).
#pragma once

#define BRSM_LOGO 101        /* 128 x 128: the main forms */
#define BRSM_LOGO_SMALL 102  /* 57 x 57: the generator's about box */

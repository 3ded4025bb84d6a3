#pragma once
/* The program's version: its version resource carries it, and the About
   box reads it from there. Only #defines: the resource compiler reads it. */
#define TARVON_VERSION_NUMBERS 1, 0, 0, 0
#define TARVON_VERSION_TEXT "1.0.0.0"

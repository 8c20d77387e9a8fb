#pragma once

class IScreen;

// True exactly when the screen is width x height pixels at 15 twips per pixel. The width is compared first;
// when it differs the height is not read.
bool IsScreenSize(const IScreen& screen, int width, int height);

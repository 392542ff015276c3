#pragma once

// A rectangle of cells; (-1, -1, -1, -1) selects nothing.
struct TGridRect
{
    int Left = -1;
    int Top = -1;
    int Right = -1;
    int Bottom = -1;
    bool operator==(const TGridRect &) const = default;
};

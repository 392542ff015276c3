#pragma once

#include <QString>
#include <initializer_list>

// One part of a text joined from short strings, and the capacity of the string that holds
// everything up to and including it.
struct Glied
{
    QString text;
    int grenze;
};

// Joins the parts as fixed-capacity 8-bit strings join: after each part the text so far is cut
// at that part's limit, so a long early part leaves less room for the ones after it.
QString kurz_verketten(std::initializer_list<Glied> glieder);

#pragma once

// What the backup window keeps between its openings. It lives for the whole run: once the
// target was dated or the restore tab was left, a later opening must not store its target
// field as the backup folder either.
struct Sicherungsstand
{
    // Set by "Datum anfügen" or by leaving the restore tab.
    bool datiert = false;
};

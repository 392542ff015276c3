// A grid header that reaches up into the roof: the room check must refuse it.
#pragma once

#include "app/hauptfenster_fenster.h"
#include "storage/text1252.h"

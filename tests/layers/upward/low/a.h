#pragma once
// Includes the layer above it: the check must name this line.
#include "high/b.h"

#pragma once

// How a control is placed inside its parent: along one edge, filling what is left, or not at all.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

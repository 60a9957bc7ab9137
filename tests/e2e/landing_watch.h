// Following the balls on the board in real time: which tile took a ball's colour, and when.
#pragma once

#include <QPointF>
#include <chrono>
#include <vector>

#include "e2e/show_layout.h"
#include "e2e/show_program.h"

namespace pelora::e2e {

struct Landing {
    int number = 0;
    TileLook look = TileLook::Other;  // Blue or Yellow
    Clock::time_point estimate;
    QImage client;  // the first snapshot that shows it
};

// Watches a board of white tiles until `landings` of them have turned blue or yellow, or the
// timeout ends; returns the landings in the order they were seen.
std::vector<Landing> watchLandings(const ShowProgram& show, QPointF boardOrigin, int landings,
                                   std::chrono::milliseconds timeout);

}  // namespace pelora::e2e

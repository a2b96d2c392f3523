// What the board editor refuses: each fault of a position set up by hand.
#include <gtest/gtest.h>

#include <variant>
#include <vector>

#include "record/exchange.h"
#include "record/position_check.h"

namespace {

using record::SetupFault;
using record::SetupProblem;
using namespace state;

TEST(PositionCheck, FindsEachFaultInItsOrder) {
    struct Row {
        const char* position;
        std::vector<SetupProblem> problems;
    };
    const Row rows[] = {
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/9/9/4U4 b - 1", {}},
        {"4u4/9/9/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", {}},
        // Promoted pieces go anywhere; a knight may stand two ranks from its edge.
        {"+P3k3+N/9/N8/9/9/9/9/9/4U4 b - 1", {}},
        {"9/9/9/9/9/9/9/9/9 b - 1", {{SetupFault::NoRoyal, -1}, {SetupFault::NoRoyal, 1}}},
        {"4k4/9/9/9/9/9/9/9/3UK4 b - 1",
         {{SetupFault::TwoRoyals, -1, 0, 0, 0, 2}, {SetupFault::TooMany, 0, 0, 0, 王, 2, 1}}},
        {"4u4/9/9/9/9/9/9/9/4U4 b - 1", {{SetupFault::TooMany, 0, 0, 0, 鵺王, 2, 1}}},
        {"P3k3N/N8/9/9/9/9/9/8n/l3U4 b - 1",
         {{SetupFault::StrandedPiece, -1, 1, 1, -歩},
          {SetupFault::StrandedPiece, -1, 1, 2, -桂},
          {SetupFault::StrandedPiece, 1, 1, 9, 香},
          {SetupFault::StrandedPiece, -1, 9, 1, -桂},
          {SetupFault::StrandedPiece, 1, 9, 8, 桂},
          {SetupFault::TooMany, 0, 0, 0, 桂, 3, 2}}},
        {"4k4/9/ppppppppp/9/9/9/P8/1+R5R1/4U4 b - 1",
         {{SetupFault::TooMany, 0, 0, 0, 歩, 10, 9}, {SetupFault::TooMany, 0, 0, 0, 飛, 2, 1}}},
    };
    for (const Row& r : rows) {
        const auto read = record::readPosition(r.position);
        ASSERT_TRUE(std::holds_alternative<record::TextPosition>(read)) << r.position;
        EXPECT_EQ(record::局面の問題(std::get<record::TextPosition>(read).board), r.problems) << r.position;
    }
}

}  // namespace

#include "engine_support.h"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/influence.h"
#include "positions.h"

namespace engine_support {

namespace {

class Collector : public engine::SearchListener {
public:
    std::vector<Evaluation> list;
    void evaluated(int x, int y, int tx, int ty, int placed, double score) override {
        list.push_back({x, y, tx, ty, placed, score});
    }
};

}  // namespace

void surveyAsGameControl(state::Game& g) { engine::勢力調査_両軍(g); }

double sum(std::initializer_list<double> terms) {
    double s = 0;
    for (double term : terms) s += term;
    return s;
}

std::string grid(std::string_view rows) {
    std::istringstream in{std::string(rows)};
    state::Grid<int> m;
    int value = 0;
    for (int i = 0; i < 81; ++i) {
        if (!(in >> value)) {
            ADD_FAILURE() << "a golden grid needs 81 numbers";
            return {};
        }
        m(i % 9 + 1, i / 9 + 1) = value;
    }
    return testing_support::mapText(m);
}

std::ostream& operator<<(std::ostream& out, const Evaluation& e) {
    return out << "cand " << e.x << ' ' << e.y << ' ' << e.tx << ' ' << e.ty << ' ' << e.placed << ' '
               << e.score;
}

SearchResult searchAll(state::Game& g) {
    surveyAsGameControl(g);
    Collector collector;
    SearchResult r;
    r.chosen = engine::指し手探索(g, &collector);
    r.evaluations = std::move(collector.list);
    return r;
}

double scoreOf(const SearchResult& r, int x, int y, int tx, int ty, int placed) {
    for (const Evaluation& e : r.evaluations)
        if (e.x == x && e.y == y && e.tx == tx && e.ty == ty && e.placed == placed) return e.score;
    ADD_FAILURE() << "no evaluation of " << x << ',' << y << " -> " << tx << ',' << ty << " as " << placed;
    return 0;
}

}  // namespace engine_support

// How much a refresh of the window inventory and a hide-all cost on a busy desktop: the engine
// (one process snapshot per refresh, each process opened once, icons shared per executable)
// against the naive walk (a snapshot per window, every process of it opened). Prints port calls
// and median times side by side, with their ratios. Exits with 1 if the two ever find different
// windows.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "BenchDesktop.hpp"
#include "NaiveWalk.hpp"

namespace umbrix::bench {
namespace {

struct Cost {
    double micros = 0;
    int snapshots = 0;
    int opens = 0;
    int windowCalls = 0;
    int iconLookups = 0;
};

struct Outcome {
    std::vector<Cost> costs;
    std::vector<engine::WindowEntry> listed;
    std::vector<engine::HiddenWindowEntry> hidden;
};

// Runs `operation` on a fresh desktop after one warm-up refresh, measuring only the operation.
template <class Prepare, class Operation>
Cost measure(BenchDesktop& desk, Prepare prepare, Operation operation) {
    prepare();
    desk.machine.processes.resetCounts();
    desk.machine.windows.resetCounts();
    const int iconsBefore = desk.machine.icons.fileInfoCalls();
    const auto start = std::chrono::steady_clock::now();
    operation();
    const auto stop = std::chrono::steady_clock::now();
    Cost cost;
    cost.micros = std::chrono::duration<double, std::micro>(stop - start).count();
    cost.snapshots = desk.machine.processes.counts().snapshots;
    cost.opens = desk.machine.processes.counts().opens;
    cost.windowCalls = desk.machine.windows.counts().total();
    cost.iconLookups = desk.machine.icons.fileInfoCalls() - iconsBefore;
    return cost;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Cost typical(const std::vector<Cost>& costs) {
    std::vector<double> micros;
    for (const Cost& c : costs) micros.push_back(c.micros);
    Cost result = costs.front();  // the counts do not vary from run to run
    result.micros = median(micros);
    return result;
}

void printRow(const char* name, double ours, double naive, const char* unit) {
    std::printf("  %-22s %12.1f %14.1f %12.1fx   %s\n", name, ours, naive, ours > 0 ? naive / ours : 0.0, unit);
}

void printBlock(const char* title, const Cost& ours, const Cost& naive) {
    std::printf("%s\n", title);
    printRow("process snapshots", ours.snapshots, naive.snapshots, "");
    printRow("process opens", ours.opens, naive.opens, "");
    printRow("window port calls", ours.windowCalls, naive.windowCalls, "");
    printRow("shell icon lookups", ours.iconLookups, naive.iconLookups, "");
    printRow("time", ours.micros, naive.micros, "microseconds, median");
}

bool sameWindows(const std::vector<engine::WindowEntry>& a, const std::vector<engine::WindowEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.handleText == y.handleText && x.title == y.title && x.processPath == y.processPath;
    });
}

bool sameHidden(const std::vector<engine::HiddenWindowEntry>& a, const std::vector<engine::HiddenWindowEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const auto& x, const auto& y) { return x.handleText == y.handleText && x.title == y.title; });
}

int run(int runs) {
    const DesktopShape shape;
    std::vector<Cost> oursRefresh, naiveRefresh, oursHide, naiveHide;
    bool identical = true;
    int listed = 0;
    for (int i = 0; i < runs; ++i) {
        BenchDesktop a(shape), b(shape), c(shape), d(shape);
        listed = a.listedWindows;
        auto& inventory = a.engine.inventory();
        oursRefresh.push_back(measure(
            a, [&] { inventory.refreshInventory(); }, [&] { inventory.refreshInventory(); }));

        NaiveWalk naive(b.machine.platform(), b.engine.state(), b.links.mainWindowCaption());
        naiveRefresh.push_back(measure(
            b, [&] { naive.refresh(); }, [&] { naive.refresh(); }));
        identical = identical &&
                    sameWindows(a.engine.state().visibleWindows.entries(), b.engine.state().visibleWindows.entries());
        identical = identical && static_cast<int>(a.engine.state().visibleWindows.size()) == listed;

        oursHide.push_back(measure(
            c, [&] { c.engine.inventory().refreshInventory(); },
            [&] { c.engine.actions().hideAllWindows(engine::kHide); }));
        NaiveWalk naiveHider(d.machine.platform(), d.engine.state(), d.links.mainWindowCaption());
        naiveHide.push_back(measure(
            d, [&] { naiveHider.refresh(); }, [&] { naiveHider.hideAll(); }));
        identical =
            identical && sameHidden(c.engine.state().hiddenWindows.entries(), d.engine.state().hiddenWindows.entries());
        identical = identical && c.machine.windows.visibleWindows().size() == d.machine.windows.visibleWindows().size();
    }

    const Cost refreshOurs = typical(oursRefresh), refreshNaive = typical(naiveRefresh);
    const Cost hideOurs = typical(oursHide), hideNaive = typical(naiveHide);
    std::printf("Window engine on a simulated desktop: %d windows (%d listed) over %d processes, %d runs.\n\n",
                shape.windows, listed, shape.processes, runs);
    std::printf("  %-22s %12s %14s %13s\n", "", "engine", "naive walk", "naive/engine");
    printBlock("refresh (DoGetWindows)", refreshOurs, refreshNaive);
    printBlock("hide-all (DoHideAllWindows)", hideOurs, hideNaive);
    std::printf(
        "\nSnapshots per refresh: %d. Refresh time: the engine takes %.3f of the naive walk's "
        "(goal: at most 0.2).\n",
        refreshOurs.snapshots, refreshOurs.micros / refreshNaive.micros);
    std::printf("Same windows listed and hidden by both: %s\n", identical ? "yes" : "NO");
    return identical ? 0 : 1;
}

}  // namespace
}  // namespace umbrix::bench

int main(int argc, char** argv) {
    int runs = 25;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));
    }
    return umbrix::bench::run(runs);
}

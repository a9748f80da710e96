// Searches and views on a timeline of 100,000 stored events (names of about 20 characters,
// descriptions of about 200, two thirds spans of up to 400 units, one name in a hundred about a
// battle): a range search, a keyword search of names and descriptions ("Search...") and one of
// names only (the search dialog), each from RunSearch's start to the counted result; the first
// two with the display built as well; the largest span; saving a view with the positions of
// 1,000 events.
#include "app/TimelineDocument.h"
#include "common/ScriptedDialogs.h"
#include "display/TtlEventList.h"
#include "search/SearchPlan.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

#include <chrono>

namespace {
constexpr int kEvents = 100000;

struct TBenchDocument {
    TBenchDocument() {
        dialogs.SetDefaultAnswer(TMsgButton::No);
        doc.File().NewTimeline();
        TdtmMain& dm = doc.Data();
        const QString description = QString(190, QLatin1Char('d'));
        TTransaction t(dm.ffDB);
        TSqlStatement insert =
            dm.ffDB.Prepare(QStringLiteral("INSERT INTO Event (ID, Name, Description, Start, "
                                           "\"End\", Formatting) VALUES (?1, ?2, ?3, ?4, ?5, '')"));
        QRandomGenerator rng(42);
        for (int i = 1; i <= kEvents; ++i) {
            insert.Reset();
            const double start = 30000.0 + rng.bounded(20000);
            insert.Bind(1, i);
            insert.Bind(
                2, i % 100 == 0
                       ? QStringLiteral("Battle number %1").arg(i)
                       : QStringLiteral("Event number %1 abc").arg(i, 6, 10, QLatin1Char('0')));
            insert.Bind(3, QString(description + QString::number(i)));
            insert.Bind(4, start);
            insert.Bind(5, i % 3 ? QVariant(start + rng.bounded(400)) : QVariant());
            insert.Step();
        }
        t.Commit();
        // Every result may be shown.
        doc.Timeline().Events().SetMaxEvents(1000);
    }
    TScriptedDialogs dialogs;
    TDialogsScope scope{dialogs};
    TTimelineDocument doc;
};

TBenchDocument& Bench() {
    static TBenchDocument bench;
    return bench;
}

// A range of about 960 events and a keyword that 1,000 names hold.
const QString kRange = QStringLiteral("40000 - 40058");
const QString kKeyword = QStringLiteral("battles");

// RunSearch from its start to the moment the result is counted (the display is built after
// that, outside the time measured).
void Counted(benchmark::State& state, const QString& text, bool namesOnly = false) {
    TSearchFlow& flow = Bench().doc.SearchFlow();
    const QString sql =
        namesOnly ? flow.SqlBuilder().MakeSQL(text, QString(), QString(), smFullNoRange, {}, 0, 0)
                  : QString();
    int count = -1;
    std::chrono::steady_clock::time_point counted;
    flow.OnCounted = [&](int n) {
        counted = std::chrono::steady_clock::now();
        count = n;
    };
    for (auto _ : state) {
        count = -1;
        const auto start = std::chrono::steady_clock::now();
        flow.RunSearch(namesOnly ? QString() : text, true, QString(), NoRangeValue, NoRangeValue,
                       false, sql);
        if (count < 0)
            state.SkipWithError("the search stopped");
        state.SetIterationTime(std::chrono::duration<double>(counted - start).count());
    }
    flow.OnCounted = nullptr;
    state.counters["events"] = count;
}

void BM_RangeSearchToCount(benchmark::State& state) {
    Counted(state, kRange);
}
BENCHMARK(BM_RangeSearchToCount)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_KeywordSearchToCount(benchmark::State& state) {
    Counted(state, kKeyword);
}
BENCHMARK(BM_KeywordSearchToCount)->Unit(benchmark::kMillisecond)->UseManualTime();

// The search dialog with a name keyword only: every name is read, no description.
void BM_NameSearchToCount(benchmark::State& state) {
    Counted(state, QStringLiteral("battle"), true);
}
BENCHMARK(BM_NameSearchToCount)->Unit(benchmark::kMillisecond)->UseManualTime();

void Shown(benchmark::State& state, const QString& text) {
    TSearchFlow& flow = Bench().doc.SearchFlow();
    for (auto _ : state)
        if (flow.RunSearch(text, true, QString(), NoRangeValue, NoRangeValue, false, QString()) !=
            TSearchFlow::TOutcome::Shown)
            state.SkipWithError("not shown");
    state.counters["events"] = Bench().doc.Timeline().Events().Count();
}

void BM_RangeSearchShown(benchmark::State& state) {
    Shown(state, kRange);
}
BENCHMARK(BM_RangeSearchShown)->Unit(benchmark::kMillisecond);

void BM_KeywordSearchShown(benchmark::State& state) {
    Shown(state, kKeyword);
}
BENCHMARK(BM_KeywordSearchShown)->Unit(benchmark::kMillisecond);

void BM_LargestEventSpan(benchmark::State& state) {
    TDatabase& db = Bench().doc.Data().ffDB;
    for (auto _ : state)
        benchmark::DoNotOptimize(LargestEventSpan(db));
}
BENCHMARK(BM_LargestEventSpan)->Unit(benchmark::kMillisecond);

void BM_SaveViewWith1000Positions(benchmark::State& state) {
    TSearchFlow& flow = Bench().doc.SearchFlow();
    TSearchRequest request;
    request.Clear();
    request.Keywords = kRange;
    request.Notes = QStringLiteral("The events of a few months\r\nwith their places");
    std::vector<TViewEventPosition> positions;
    for (int i = 0; i < 1000; ++i)
        positions.push_back({i * 97 + 1, 40 + (i % 23) * 35, i % 10 == 0 ? 2 : 0});
    const QString path = flow.ViewsPath();
    for (auto _ : state)
        TtlViews(path).SaveView(QStringLiteral("Crowded"), true, request, positions);
}
BENCHMARK(BM_SaveViewWith1000Positions)->Unit(benchmark::kMillisecond);
} // namespace

// The database layer against the raw client API, side by side on one database:
// fetching 100,000 rows of (integer, 30-character text, double), and posting 10,000
// rows with a commit retaining after each.
#include "config/AdminAccount.h"
#include "db/DataSet.h"
#include "db/Database.h"
#include "db/ExecuteImmediate.h"
#include "db/Transaction.h"
#include "schema/SystemDatabase.h"
#include "util/Win1252.h"

#include <benchmark/benchmark.h>
#include <firebird/Interface.h>
#include <ibase.h>

#include <QTemporaryDir>

#include <cstring>
#include <map>

namespace {

constexpr int kFetchRows = 100000;
constexpr int kPostRows = 10000;
const QString kText = QStringLiteral("Contribuyente de prueba Peña ");

struct BenchDatabase {
    QTemporaryDir dir;
    db::Database database;
    db::Transaction transaction{database};

    BenchDatabase() {
        const QString path = dir.filePath(QStringLiteral("bench.fdb"));
        schema::createSystemDatabase(path, config::adminParams());
        database.setDatabaseName(path);
        database.setParams(config::adminParams());
        database.open();
        db::executeImmediate(
            transaction,
            QStringLiteral(
                "create table T_LEIDO (ID integer, TXT varchar(30), VAL double precision)"));
        db::executeImmediate(
            transaction,
            QStringLiteral(
                "create table T_GRABADO (ID integer, TXT varchar(30), VAL double precision)"));
        transaction.commit();
        db::executeImmediate(
            transaction,
            QStringLiteral(
                "execute block as declare i integer = 0; begin "
                "while (i < %1) do begin "
                "insert into T_LEIDO values (:i, 'Contribuyente de prueba ' || :i, :i * 1.5); "
                "i = i + 1; end end")
                .arg(kFetchRows));
        transaction.commit();
    }

    void emptyPosted() {
        db::executeImmediate(transaction, QStringLiteral("delete from T_GRABADO"));
        transaction.commit();
    }
};

BenchDatabase& bench() {
    static BenchDatabase instance;
    return instance;
}

struct Sink {
    qint64 ids = 0;
    qsizetype chars = 0;
    double sum = 0;
};

void BM_FetchDataSet(benchmark::State& state) {
    auto& b = bench();
    for (auto _ : state) {
        db::DataSet ds(b.database, b.transaction);
        ds.setSelectSql(QStringLiteral("select ID, TXT, VAL from T_LEIDO"));
        ds.open();
        db::Field& id = ds.field(QStringLiteral("ID"));
        db::Field& txt = ds.field(QStringLiteral("TXT"));
        db::Field& val = ds.field(QStringLiteral("VAL"));
        Sink sink;
        for (; !ds.eof(); ds.next()) {
            sink.ids += id.asInteger();
            sink.chars += txt.asString().size();
            sink.sum += val.asFloat();
        }
        benchmark::DoNotOptimize(sink);
    }
}

void BM_FetchRaw(benchmark::State& state) {
    auto& b = bench();
    using namespace Firebird;
    for (auto _ : state) {
        ThrowStatusWrapper st(fb_get_master_interface()->getStatus());
        auto* tra = b.transaction.handle();
        auto* stmt =
            b.database.attachment()->prepare(&st, tra, 0, "select ID, TXT, VAL from T_LEIDO", 1,
                                             IStatement::PREPARE_PREFETCH_METADATA);
        auto* meta = stmt->getOutputMetadata(&st);
        std::vector<unsigned char> buf(meta->getMessageLength(&st));
        const unsigned idOff = meta->getOffset(&st, 0), txtOff = meta->getOffset(&st, 1),
                       valOff = meta->getOffset(&st, 2);
        auto* rs = stmt->openCursor(&st, tra, nullptr, nullptr, meta, 0);
        Sink sink;
        while (rs->fetchNext(&st, buf.data()) == IStatus::RESULT_OK) {
            ISC_LONG id;
            std::memcpy(&id, buf.data() + idOff, sizeof id);
            ISC_USHORT len;
            std::memcpy(&len, buf.data() + txtOff, sizeof len);
            const QString txt = util::fromWin1252(
                QByteArray(reinterpret_cast<const char*>(buf.data()) + txtOff + 2, len));
            double val;
            std::memcpy(&val, buf.data() + valOff, sizeof val);
            sink.ids += id;
            sink.chars += txt.size();
            sink.sum += val;
        }
        rs->close(&st);
        meta->release();
        stmt->free(&st);
        st.dispose();
        benchmark::DoNotOptimize(sink);
    }
}

void BM_PostDataSet(benchmark::State& state) {
    auto& b = bench();
    for (auto _ : state) {
        state.PauseTiming();
        b.emptyPosted();
        db::DataSet ds(b.database, b.transaction);
        ds.setSelectSql(QStringLiteral("select ID, TXT, VAL from T_GRABADO"));
        ds.setInsertSql(
            QStringLiteral("insert into T_GRABADO (ID, TXT, VAL) values (:ID, :TXT, :VAL)"));
        ds.afterPost.add([](db::DataSet& d) { d.transaction().commitRetaining(); });
        ds.open();
        state.ResumeTiming();
        for (int i = 0; i < kPostRows; ++i) {
            ds.append();
            ds.field(QStringLiteral("ID")).setAsInteger(i);
            ds.field(QStringLiteral("TXT")).setAsString(kText);
            ds.field(QStringLiteral("VAL")).setAsFloat(i * 1.5);
            ds.post();
        }
    }
}

void BM_PostRaw(benchmark::State& state) {
    auto& b = bench();
    using namespace Firebird;
    const QByteArray text = util::toWin1252(kText);
    for (auto _ : state) {
        state.PauseTiming();
        b.emptyPosted();
        state.ResumeTiming();
        ThrowStatusWrapper st(fb_get_master_interface()->getStatus());
        auto* tra = b.transaction.handle();
        auto* stmt = b.database.attachment()->prepare(
            &st, tra, 0, "insert into T_GRABADO (ID, TXT, VAL) values (?, ?, ?)", 1,
            IStatement::PREPARE_PREFETCH_METADATA);
        auto* meta = stmt->getInputMetadata(&st);
        std::vector<unsigned char> buf(meta->getMessageLength(&st), 0);
        const unsigned idOff = meta->getOffset(&st, 0), txtOff = meta->getOffset(&st, 1),
                       valOff = meta->getOffset(&st, 2);
        for (int i = 0; i < kPostRows; ++i) {
            const ISC_LONG id = i;
            std::memcpy(buf.data() + idOff, &id, sizeof id);
            const ISC_USHORT len = ISC_USHORT(text.size());
            std::memcpy(buf.data() + txtOff, &len, sizeof len);
            std::memcpy(buf.data() + txtOff + 2, text.constData(), size_t(len));
            const double val = i * 1.5;
            std::memcpy(buf.data() + valOff, &val, sizeof val);
            stmt->execute(&st, tra, meta, buf.data(), nullptr, nullptr);
            tra->commitRetaining(&st);
        }
        meta->release();
        stmt->free(&st);
        st.dispose();
    }
}

BENCHMARK(BM_FetchDataSet)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_FetchRaw)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_PostDataSet)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PostRaw)->Unit(benchmark::kMillisecond)->Iterations(3);

// Prints the layer's cost over the raw API once both of a pair have run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            times_[r.run_name.function_name] = r.GetAdjustedRealTime();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        ratio("fetch", "BM_FetchDataSet", "BM_FetchRaw", 1.5);
        ratio("post", "BM_PostDataSet", "BM_PostRaw", 1.2);
    }

private:
    void ratio(const char* what, const std::string& layer, const std::string& raw, double target) {
        if (!times_.count(layer) || !times_.count(raw))
            return;
        const double r = times_[layer] / times_[raw];
        std::printf("%s: layer %.1f ms, raw %.1f ms, ratio %.2f (target at most %.1f)\n", what,
                    times_[layer], times_[raw], r, target);
    }
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}

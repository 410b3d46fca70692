// Model 347's capture over the books of a large office's taxpayer: about a million VAT
// register rows over three years, a third of them in the year declared. bench/
// accounting-isql.sh times the capture's read of the register with the engine's own tool.
//
// TRIBUTRA_BENCH_ACCOUNTING names the file the large books are kept in, shared with
// bench_accounting (generated when it does not exist yet).
#include "TestMain.h"
#include "config/AdminAccount.h"
#include "db/Statement.h"
#include "returns/informative/TDMM347.h"
#include "schema/AccountingSample.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kInvoicesPerMonth = 27775; // as bench_accounting's

const QString kTaxpayer = QStringLiteral(
    "INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS, NOMBRE, FP, ADMINISTRACION) "
    "VALUES (12, '12345678Z', 'GARCIA DE LA FUENTE', 'ANA', 3, '30600');");

QString largeBooks(const QTemporaryDir& dir) {
    const QString kept = qEnvironmentVariable("TRIBUTRA_BENCH_ACCOUNTING");
    const QString path = kept.isEmpty() ? dir.filePath(QStringLiteral("contabilidad.fdb")) : kept;
    if (!QFileInfo::exists(path)) {
        schema::AccountingSample::Options options;
        options.invoicesPerMonth = kInvoicesPerMonth;
        schema::AccountingSample(options).create(path, config::adminParams());
    }
    return path;
}

void BM_Captura347(benchmark::State& state) {
    QTemporaryDir dir;
    const QString books = largeBooks(dir);
    TestMain test{kTaxpayer};
    db::Statement s(test.main.Database, test.main.TLocal);
    s.setSql(QStringLiteral("update T_CONTRIBUYENTES set FICHERO_CTBLE = :f where CONTRIBUYENTE = 12"));
    s.setParam(QStringLiteral("F"), books);
    s.execute();
    test.main.TLocal.commit();
    TDMM347 dm(test.main);
    dm.DataModuleCreate();
    dm.FijaDeclarante(12);
    dm.QMaestro.post();
    for (auto _ : state)
        if (!dm.CapturaContabilidad())
            state.SkipWithError("the books did not open");

    db::Statement rows(test.main.DBConta, test.main.TConta);
    rows.setSql(QStringLiteral("select count(*) from T_REGISTRO_IVA where EJERCICIO = 2018"));
    rows.execute();
    const double read = rows.field(0).asFloat();
    rows.close();
    state.counters["rows"] = read;
    state.counters["rows/s"] = benchmark::Counter(read, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["declarados"] = double(dm.QDeclarados.recordCount()) / double(state.iterations());
}

BENCHMARK(BM_Captura347)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

BENCHMARK_MAIN();

// The import of the previous edition's taxpayers into an empty register: a previous
// edition of 1,000 taxpayers, each handed to the procedure and committed on its own.
#include "TestMain.h"
#include "db/Statement.h"
#include "db/Transaction.h"
#include "taxpayers/ImportaContribuyentes.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kContribuyentes = 1000;

void fill(db::Database& database) {
    db::Transaction t(database);
    db::Statement insert(database, t);
    insert.setSql(QStringLiteral(
        "insert into T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS, NOMBRE, DOMICILIO, "
        "MUNICIPIO, PROVINCIA, FP, CCC, PARTICIPACION, IBAN) values (:CONTRIBUYENTE, :NIF, "
        "'GARCIA LOPEZ', 'ANA', 'MAYOR', 'MURCIA', 'MURCIA', 2, '20380001110000000001', 50, "
        "'ES0020380001110000000001')"));
    for (int i = 1; i <= kContribuyentes; ++i) {
        insert.setParam(QStringLiteral("CONTRIBUYENTE"), i);
        insert.setParam(QStringLiteral("NIF"), QString::number(10000000 + i) + QLatin1Char('Z'));
        insert.execute();
    }
    t.commit();
}

void BM_ImportaContribuyentes(benchmark::State& state) {
    TempDir folder;
    TestDatabase anterior(folder, {}, QStringLiteral("Tribra17.gdb"));
    fill(anterior.database());
    for (auto _ : state) {
        state.PauseTiming();
        auto test = std::make_unique<TestMain>();
        ImportaContribuyentes importa(test->main);
        state.ResumeTiming();
        if (!importa.Proceso(anterior.path()))
            state.SkipWithError("the previous edition did not open");
        state.PauseTiming();
        test.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kContribuyentes);
}
BENCHMARK(BM_ImportaContribuyentes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();

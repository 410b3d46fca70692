// Model 111's file: page 1 and the whole line composed in memory (page 1 reads the
// taxpayer's identification from the database), and the whole writing: compose, write
// the print file, copy it into the agency's folder.
#include "TestMain.h"
#include "returns/periodic/TDMM111.h"

#include <QDir>

#include <benchmark/benchmark.h>

namespace {

const QString kTaxpayer = QStringLiteral(
    "INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS, NOMBRE, FP, IBAN) "
    "VALUES (12, '12345678Z', 'GARCIA DE LA FUENTE', 'ANA', 3, 'ES9121000418450200051332');");

struct Quarter {
    TempDir drive;
    ScopedEnv driveC{"TRIBUTRA_DRIVE_C", drive.path().toLocal8Bit()};
    TestMain test{kTaxpayer};
    TDMM111 dm{test.main};

    Quarter() {
        QDir(drive.path()).mkdir(QStringLiteral("aeat"));
        dm.DataModuleCreate();
        dm.QMaestro.append();
        dm.QMaestro.field(QStringLiteral("CONTRIBUYENTE")).setAsInteger(12);
        dm.QMaestro.field(QStringLiteral("PERIODO")).setAsString(QStringLiteral("1T"));
        dm.QMaestro.field(QStringLiteral("C3I02")).setAsFloat(123456.78);
        dm.QMaestro.field(QStringLiteral("C3I03")).setAsFloat(18518.52);
        dm.QMaestro.post();
    }
};

void BM_ComponePagina1(benchmark::State& state) {
    Quarter q;
    for (auto _ : state)
        benchmark::DoNotOptimize(q.dm.ComponePagina(TDMM111::kModelo.paginas.front()));
}
BENCHMARK(BM_ComponePagina1)->Unit(benchmark::kMicrosecond);

void BM_ComponeFichero(benchmark::State& state) {
    Quarter q;
    for (auto _ : state)
        benchmark::DoNotOptimize(q.dm.ComponeFichero());
}
BENCHMARK(BM_ComponeFichero)->Unit(benchmark::kMicrosecond);

void BM_GeneraFichero(benchmark::State& state) {
    Quarter q;
    for (auto _ : state)
        if (!q.dm.GeneraFichero())
            state.SkipWithError("the print file was not written");
}
BENCHMARK(BM_GeneraFichero)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();

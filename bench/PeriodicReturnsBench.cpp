// Every periodic return of the list of models: its file composed in memory (the pages read
// the taxpayer's identification from the database), the whole writing (compose, write the
// print file, copy it into the agency's folder), and the command-line filing (select,
// capture from a generated accounting database where the model captures, post, write).
#include "AccountingTestDatabase.h"
#include "TestMain.h"
#include "db/Statement.h"
#include "returns/ReturnModels.h"

#include <QDir>

#include <benchmark/benchmark.h>

namespace {

const QString kTaxpayer = QStringLiteral(
    "INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS, NOMBRE, FP, IBAN) "
    "VALUES (12, '12345678Z', 'GARCIA DE LA FUENTE', 'ANA', 3, 'ES9121000418450200051332');");

// The first period the model is filed for: the first quarter or instalment.
QString primerPeriodo(const PeriodicReturn::Model& model) {
    for (const periods::Period& p : model.periodos)
        if (model.periodoValido(QLatin1String(p.code)))
            return QLatin1String(p.code);
    return {};
}

// A workstation with the model's module open on a posted record of taxpayer 12, whose
// books are a generated company's.
struct Office {
    explicit Office(const PeriodicReturn::Model& model)
        : periodo(primerPeriodo(model)), dm(model.crea(test.main)) {
        QDir(drive.path()).mkdir(QStringLiteral("aeat"));
        db::Statement s(test.main.Database, test.main.TLocal);
        s.setSql(QStringLiteral("update T_CONTRIBUYENTES set FICHERO_CTBLE = :f "
                                "where CONTRIBUYENTE = 12"));
        s.setParam(QStringLiteral("F"), books.path());
        s.execute();
        test.main.TLocal.commit();
        books.database().close();
        dm->DataModuleCreate();
        dm->QMaestro.append();
        dm->QMaestro.field(QStringLiteral("CONTRIBUYENTE")).setAsInteger(12);
        dm->QMaestro.field(QStringLiteral("PERIODO")).setAsString(periodo);
        dm->QMaestro.post();
    }

    const QString periodo;
    TempDir drive;
    ScopedEnv driveC{"TRIBUTRA_DRIVE_C", drive.path().toLocal8Bit()};
    TestMain test{kTaxpayer};
    AccountingTestDatabase books{test.work};
    std::unique_ptr<PeriodicReturn> dm;
};

void composeFile(benchmark::State& state, const PeriodicReturn::Model* model) {
    Office office(*model);
    for (auto _ : state)
        benchmark::DoNotOptimize(office.dm->ComponeFichero());
}

void writeFile(benchmark::State& state, const PeriodicReturn::Model* model) {
    Office office(*model);
    for (auto _ : state)
        if (!office.dm->GeneraFichero())
            state.SkipWithError("the print file was not written");
}

void fileFromTheCommandLine(benchmark::State& state, const PeriodicReturn::Model* model) {
    Office office(*model);
    const bool captura = office.dm->captura();
    for (auto _ : state)
        if (!office.dm->GeneraFicheroDe(12, office.periodo, captura))
            state.SkipWithError("the print file was not written");
}

} // namespace

int main(int argc, char** argv) {
    for (const PeriodicReturn::Model* model : returns::models()) {
        const std::string name = model->modelo.toStdString();
        benchmark::RegisterBenchmark(("ComponeFichero/" + name).c_str(), composeFile, model)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("GeneraFichero/" + name).c_str(), writeFile, model)
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("FicheroLineaDeOrdenes/" + name).c_str(),
                                     fileFromTheCommandLine, model)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

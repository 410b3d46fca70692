// The import of a 10,000-line headings file, one commit per line, with the
// database's forced writes on (every commit waits for the disk) and off.
#include "config/AdminAccount.h"
#include "db/Database.h"
#include "db/ExecuteImmediate.h"
#include "db/Transaction.h"
#include "schema/SystemDatabase.h"
#include "taxpayers/ReferenceImport.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int kLines = 10000;

struct ImportFiles {
    QTemporaryDir dir;
    QString database = dir.filePath(QStringLiteral("bench.fdb"));
    QString headings = dir.filePath(QStringLiteral("Epigrafe.tab"));

    ImportFiles() {
        schema::createSystemDatabase(database, config::adminParams());
        QFile f(headings);
        f.open(QIODevice::WriteOnly);
        for (int i = 0; i < kLines; ++i)
            f.write(QByteArray::number(10000 + i) +
                    "Comercio al por menor de productos varios\r\n");
    }
};

ImportFiles& files() {
    static ImportFiles instance;
    return instance;
}

void BM_ImportHeadings(benchmark::State& state) {
    auto& f = files();
    db::Database database;
    database.setDatabaseName(f.database);
    database.setParams(config::adminParams()
                       << QStringLiteral("force_write=%1").arg(state.range(0)));
    database.open();
    db::Transaction transaction(database);
    for (auto _ : state) {
        state.PauseTiming();
        db::executeImmediate(transaction, QStringLiteral("delete from T_EPIGRAFES"));
        transaction.commit();
        state.ResumeTiming();
        taxpayers::ReferenceImport(database, transaction)
            .run({{taxpayers::ReferenceFile::Epigrafes, f.headings}},
                 [](const QString&, int) { return true; });
    }
    transaction.commit();
    state.SetItemsProcessed(state.iterations() * kLines);
}

} // namespace

BENCHMARK(BM_ImportHeadings)
    ->ArgName("force_write")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(2)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

BENCHMARK_MAIN();

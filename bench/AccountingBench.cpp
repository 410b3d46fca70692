// The sample accounting database at the size of a large office's taxpayer, about a
// million VAT register rows over three years: generating it, the balance of an account
// group, and reading one year of the register through db::DataSet.
//
// TRIBUTRA_BENCH_ACCOUNTING names a file to keep the database in (generated when it does
// not exist yet), so that bench/accounting-isql.sh can time the same statements.
#include "config/AdminAccount.h"
#include "db/DataSet.h"
#include "db/Database.h"
#include "db/Statement.h"
#include "db/Transaction.h"
#include "schema/AccountingSample.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Three fixed invoices a month besides these, 36 months: about 1,000,000 rows.
constexpr int kInvoicesPerMonth = 27775;
constexpr int kYear = 2018;

struct BenchDatabase {
    QTemporaryDir dir;
    db::Database database;
    db::Transaction transaction{database};
    int company = 0;

    BenchDatabase() {
        const QString kept = qEnvironmentVariable("TRIBUTRA_BENCH_ACCOUNTING");
        const QString path =
            kept.isEmpty() ? dir.filePath(QStringLiteral("contabilidad.fdb")) : kept;
        if (!QFileInfo::exists(path))
            generate(path);
        database.setDatabaseName(path);
        database.setParams(config::adminParams());
        database.open();
        company = scalar(QStringLiteral("select EMPRESA from T_PARAMETROS where EJERCICIO = "
                                        ":EJERCICIO"))
                      .asInteger();
    }

    static void generate(const QString& path) {
        schema::AccountingSample::Options options;
        options.invoicesPerMonth = kInvoicesPerMonth;
        QElapsedTimer clock;
        clock.start();
        schema::AccountingSample(options).create(path, config::adminParams());
        std::fprintf(stderr, "Generated %s in %.1f s\n", qPrintable(path),
                     double(clock.elapsed()) / 1000.0);
    }

    db::Value scalar(const QString& sql, const QString& prefix = {}) {
        db::Statement q(database, transaction);
        q.setSql(sql);
        q.setParam(QStringLiteral("EJERCICIO"), kYear);
        if (q.hasParam(QStringLiteral("EMPRESA")))
            q.setParam(QStringLiteral("EMPRESA"), company);
        if (q.hasParam(QStringLiteral("CUENTA")))
            q.setParam(QStringLiteral("CUENTA"), prefix);
        q.execute();
        return q.field(0);
    }
};

BenchDatabase& bench() {
    static BenchDatabase instance;
    return instance;
}

const char* const kPrefixes[] = {"572", "43", "4"};

// The balance sheet's statement, over a group of a few, some and most journal lines.
void BM_SaldosAcumula(benchmark::State& state) {
    auto& b = bench();
    const QString prefix = QString::fromLatin1(kPrefixes[state.range(0)]);
    const double lines = b.scalar(QStringLiteral("select count(*) from T_APUNTES where EMPRESA "
                                                 "= :EMPRESA and EJERCICIO = :EJERCICIO and "
                                                 "SUBCUENTA starting with :CUENTA"),
                                  prefix)
                             .asFloat();
    db::Statement q(b.database, b.transaction);
    q.setSql(QStringLiteral("select saldo_externo from pa_saldos_acumula (:empresa, :ejercicio, "
                            ":cuenta, :inicio,:fin)"));
    q.setParam(QStringLiteral("EMPRESA"), b.company);
    q.setParam(QStringLiteral("EJERCICIO"), kYear);
    q.setParam(QStringLiteral("CUENTA"), prefix);
    q.setParam(QStringLiteral("INICIO"), 0);
    q.setParam(QStringLiteral("FIN"), 13);
    for (auto _ : state) {
        q.execute();
        benchmark::DoNotOptimize(q.field(0).asFloat());
        q.close();
    }
    state.SetLabel(prefix.toStdString());
    state.counters["lines"] = lines;
    state.counters["lines/s"] =
        benchmark::Counter(lines, benchmark::Counter::kIsIterationInvariantRate);
}

// The annual VAT summary's read of the register: every row of the year, every column.
void BM_ReadRegisterYear(benchmark::State& state) {
    auto& b = bench();
    qint64 rows = 0;
    for (auto _ : state) {
        db::DataSet ds(b.database, b.transaction);
        ds.setSelectSql(QStringLiteral(
            "select asiento, base0, base1, base2, base3, base_rec1, base_rec2, base_rec3, iva1, "
            "iva2, iva3, iva_rec1, iva_rec2, iva_rec3, tipo1, tipo2, tipo3, tipo_rec1, tipo_rec2, "
            "tipo_rec3,tipoiva, tiporegistro, cc, devengo from t_registro_iva where empresa = "
            ":empresa and ejercicio = :ejercicio order by fecha"));
        ds.setParam(QStringLiteral("EMPRESA"), b.company);
        ds.setParam(QStringLiteral("EJERCICIO"), kYear);
        ds.open();
        double sum = 0;
        for (; !ds.eof(); ds.next())
            for (const db::Field* f : ds.fields())
                sum +=
                    f->type() == db::FieldType::Text ? double(f->asString().size()) : f->asFloat();
        benchmark::DoNotOptimize(sum);
        rows = ds.recordCount();
    }
    state.counters["rows"] = double(rows);
    state.counters["rows/s"] =
        benchmark::Counter(double(rows), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_SaldosAcumula)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ReadRegisterYear)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();

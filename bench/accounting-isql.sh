#!/usr/bin/env bash
# Times with the engine's own interactive tool the statements that bench_accounting
# times through the database layer, on the same large sample database.
#   bench/accounting-isql.sh BUILD_DIR [DATABASE]
# DATABASE defaults to a file in a temporary folder; it is generated there by
# bench_accounting first when it does not exist.
set -euo pipefail
build=${1:?build folder with bench/bench_accounting}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
database=${2:-$folder/contabilidad.fdb}

if [[ ! -f $database ]]; then
    TRIBUTRA_BENCH_ACCOUNTING=$database "$build/bench/bench_accounting" \
        --benchmark_filter='BM_SaldosAcumula/0' >/dev/null
fi

run() { # the statement's title, then its text
    printf '%s\n' "$1"
    local started ended
    started=$(date +%s.%N)
    isql-fb -q -u SYSDBA -p quillbrag "$database" >"$folder/out.txt" 2>&1 <<SQL
SET HEADING OFF;
$2
SQL
    ended=$(date +%s.%N)
    printf '  %s s, %s lines printed\n' "$(awk "BEGIN { printf \"%.3f\", $ended - $started }")" \
        "$(grep -c . "$folder/out.txt")"
}

company="(select EMPRESA from T_PARAMETROS where EJERCICIO = 2018)"
run "connect only" "select 1 from RDB\$DATABASE;"
for prefix in 572 43 4; do
    run "pa_saldos_acumula $prefix, 5 runs" "$(for _ in 1 2 3 4 5; do
        echo "select saldo_externo from pa_saldos_acumula ($company, 2018, '$prefix', 0, 13);"
    done)"
done
run "VAT register of 2018, every row" "select asiento, base0, base1, base2, base3, base_rec1,
    base_rec2, base_rec3, iva1, iva2, iva3, iva_rec1, iva_rec2, iva_rec3, tipo1, tipo2, tipo3,
    tipo_rec1, tipo_rec2, tipo_rec3, tipoiva, tiporegistro, cc, devengo from t_registro_iva
    where empresa = $company and ejercicio = 2018 order by fecha;"
run "model 347's capture: the register of 2018 with each invoice's total" "SELECT FECHA,
    SUBCUENTA_DEBE, SUBCUENTA_HABER, NOMBRE, CIF, BASE0+BASE1+BASE2+BASE3+IVA1+IVA2+IVA3+IVA_REC1
    +IVA_REC2+IVA_REC3 AS TOTALFRA, TIPOREGISTRO,TIPOIVA,TIPOASIENTO, CC, DEVENGO FROM
    T_REGISTRO_IVA WHERE EMPRESA = $company AND EJERCICIO = 2018 ORDER BY FECHA;"

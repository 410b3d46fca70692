/* The system database, built by running these files in the order of their names.
   Dialect 1, default character set WIN1252: double quotes delimit strings. */

/* Amounts are euros in double precision; a box of a return is never null. */
CREATE DOMAIN D_IMPORTE AS DOUBLE PRECISION DEFAULT 0 NOT NULL;

/* Counts of recipients, and flags of a return: never null either. */
CREATE DOMAIN D_CUENTA AS INTEGER DEFAULT 0 NOT NULL;
CREATE DOMAIN D_INDICADOR AS SMALLINT DEFAULT 0 NOT NULL;

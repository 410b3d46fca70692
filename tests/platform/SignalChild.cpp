// A run of the database client that owns SIGINT and SIGTERM as the program does. It attaches
// (the client installs its own handlers then), stores a row it does not commit, says "listo"
// and waits for a line; a signal may come meanwhile. Then, between two steps, it stops when
// it was told to, and tells whether its connection survived the signal.
#include "config/AdminAccount.h"
#include "db/Database.h"
#include "db/Statement.h"
#include "db/Transaction.h"
#include "platform/TerminationSignals.h"

#include <QCoreApplication>

#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    platform::TerminationSignals::take();
    db::Database::setAfterAttach(&platform::TerminationSignals::take);
    db::Database database;
    database.setDatabaseName(app.arguments().value(1));
    database.setParams(config::adminParams());
    database.open();
    db::Transaction transaction(database);
    db::Statement insert(database, transaction);
    insert.setSql(QStringLiteral("insert into T_PASOS values (1)"));
    insert.execute();

    std::cout << "listo" << std::endl;
    std::string line;
    std::getline(std::cin, line);

    if (!database.answers()) {
        std::cout << "conexión cortada" << std::endl;
        return 3;
    }
    try {
        platform::TerminationSignals::stopIfReceived();
    } catch (const platform::TerminationSignals::Interrupted& stop) {
        database.close();
        db::Database::shutdownClient();
        return 128 + stop.signal;
    }
    transaction.commit();
    database.close();
    db::Database::shutdownClient();
    return 0;
}

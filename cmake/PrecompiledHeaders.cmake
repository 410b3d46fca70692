# What the libraries and tests precompile: only headers from outside the project, which
# change when the machine's packages do, never with our own edits.
set(TRIBUTRA_CORE_HEADERS
    <QByteArray> <QDate> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QObject>
    <QString> <QStringList> <QVariant> <QVector>
    <algorithm> <functional> <map> <memory> <optional> <utility> <vector>
)
set(TRIBUTRA_GUI_HEADERS
    <QAction> <QApplication> <QDialog> <QFormLayout> <QGroupBox> <QHBoxLayout> <QKeyEvent>
    <QLabel> <QLineEdit> <QMenu> <QPointer> <QPushButton> <QTabWidget> <QTableView>
    <QToolButton> <QVBoxLayout> <QWidget>
)
set(TRIBUTRA_TEST_HEADERS <gtest/gtest.h> <gmock/gmock.h>)

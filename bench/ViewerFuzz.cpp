// libFuzzer target for the file viewer (run by bench/fuzz.sh viewer): any bytes are read
// through the models' layout tables, and the view must account for what it reports.
#include "returns/FileViewer.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FileView view =
        viewFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (view.lines.isEmpty() || (!view.recognized && view.faults != 0))
        std::abort();
    return 0;
}

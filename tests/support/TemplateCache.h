#pragma once

#include <QString>

#include <functional>

// Databases that take a second to make, made once for every process of one test binary:
// CTest runs each case in a process of its own. The files live in "test-cache" beside the
// test programs' folders (build/tests/test-cache), in a folder of the binary's build: a
// rebuilt binary never reads an older one's files.
namespace templates {

// The file `make` builds for `key`: made now, unless a process of the same build made it.
QString cached(const QString& key, const std::function<void(const QString& path)>& make);

} // namespace templates

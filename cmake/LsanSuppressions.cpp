// The Firebird client, its engine plug-in and the libraries they pull in keep
// process-wide allocations until exit; only our own leaks should fail a run.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfbclient.so\n"
           "leak:libEngine12.so\n"
           "leak:libfbintl.so\n"
           "leak:libtommath.so\n"
           "leak:libdbus-1.so\n"
           "leak:libicuuc.so\n"
           "leak:libicui18n.so\n";
}

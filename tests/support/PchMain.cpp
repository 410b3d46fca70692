// The owner of the tests' precompiled headers has nothing to run.
int main() {
    return 0;
}

// Placeholder: replaced by the real sound generator.
#include <cstdio>
int main() { return 0; }

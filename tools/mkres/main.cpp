// Placeholder entry until the resource builder's own main lands.
int main() { return 0; }

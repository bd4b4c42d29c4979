// Program entry. Replaced as the host and the table window arrive.
int main() { return 0; }

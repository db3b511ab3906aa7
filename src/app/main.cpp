// Entry point; the run modes come with the shell.
int main() { return 0; }

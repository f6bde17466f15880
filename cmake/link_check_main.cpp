// The program each folder's library is linked into whole, to show that it needs nothing from
// above.
int main() {
    return 0;
}

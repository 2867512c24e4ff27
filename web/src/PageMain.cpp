// The page drives the module through its bindings; nothing runs at start.
int main()
{
    return 0;
}

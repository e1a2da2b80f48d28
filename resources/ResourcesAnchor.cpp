// The resource library needs one source of its own; the resources themselves are
// generated into it by the build.
namespace hv {
int resourcesAnchor() {
    return 0;
}
}  // namespace hv

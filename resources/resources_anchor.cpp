// The resources library holds only compiled-in data; this unit gives it a body.
namespace vestrel_resources {
int anchor = 0;
}

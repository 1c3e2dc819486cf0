#include "json/handles.h"

#include <mutex>
#include <thread>
#include <unordered_map>

namespace kvilo::json {

namespace {

struct Entry {
    HandleKind kind;
    void* object;
    std::thread::id owner;
};

struct Registry {
    std::mutex mutex;
    std::unordered_map<uint32_t, Entry> entries;
    uint32_t next = 1;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

} // namespace

uint32_t RegisterHandle(HandleKind kind, void* object) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    uint32_t handle = registry.next;
    while (handle == 0 || registry.entries.count(handle) != 0)
        ++handle;
    registry.next = handle + 1;
    registry.entries.emplace(handle, Entry{kind, object, std::this_thread::get_id()});
    return handle;
}

void UnregisterHandle(uint32_t handle) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    registry.entries.erase(handle);
}

void* ResolveHandle(HandleKind kind, uint32_t handle) {
    if (handle == 0) return nullptr;
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    const auto found = registry.entries.find(handle);
    if (found == registry.entries.end() || found->second.kind != kind ||
        found->second.owner != std::this_thread::get_id())
        return nullptr;
    return found->second.object;
}

} // namespace kvilo::json

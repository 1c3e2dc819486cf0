#pragma once
// 32-bit handles for the objects a rules text names by number: record lists ("instance") and rule helpers
// ("ruleHelper"). A handle is valid only on the thread that created its object; elsewhere, and after the
// object is gone, it resolves to nothing. 0 is never a handle.
#include <cstdint>

namespace kvilo::json {

enum class HandleKind { List, RuleHelper };

uint32_t RegisterHandle(HandleKind kind, void* object);
void UnregisterHandle(uint32_t handle);
// The object, or nullptr for 0, an unknown handle, another kind or another thread's handle.
void* ResolveHandle(HandleKind kind, uint32_t handle);

} // namespace kvilo::json

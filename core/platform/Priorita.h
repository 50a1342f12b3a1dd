#pragma once
// Long searches run below the window's priority, so the desktop stays
// responsive while every core works for them.
namespace veltra {

// Lowers the calling thread's scheduling priority (a nicer thread on Linux);
// does nothing where the platform offers no such thing.
void AbbassaPrioritaThread();

} // namespace veltra

#pragma once
// The stand-in host for the editions' mains: one call installs every engine singleton and factory
// over the store that QUORVEL_STORE names. The store is opened by HostConnection::Initiate.

namespace quorvel {

// Installs the engine for the rest of the process; calling it again changes nothing.
void InstallStandInHost();

}  // namespace quorvel

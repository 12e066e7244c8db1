#pragma once

// Makes the version dialog's web address a link to screen readers, which a click opens.
void InstallVersionAddressAccessibility();

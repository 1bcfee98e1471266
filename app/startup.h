#pragma once

// Start-up, the main loop and the exit; returns the process exit code (always 0).
int RunOrvanto();

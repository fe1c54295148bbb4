#pragma once

// Draw calls the program has handed to the driver so far (glDrawElements and glDrawArrays).
// The engine is linked statically, so its calls land in this file's wrappers first and are
// counted on their way to the driver. Linking this file into a program is what installs it.
long DrawCallsSoFar();

"""Paths and output shared by the table generators (python3, standard library only)."""

import os

# The project's root, the data folder beside it, and the generated tables.
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SHARED_DATA = os.path.join(os.path.dirname(ROOT), "shared", "data")
ASTRO_DATA = os.path.join(ROOT, "astro", "data")


def write(folder, name, lines):
    """Writes the lines to folder/name, each ended by a line feed."""
    with open(os.path.join(folder, name), "w") as f:
        f.write("\n".join(lines) + "\n")

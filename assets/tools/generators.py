"""What the picture generators share: where they write.

Each generator beside its SVGs imports this; it is not a generator itself."""
import os
import sys


def output_dir(generator):
    """Beside the generator, or the directory given as its only argument."""
    if len(sys.argv) > 2:
        sys.exit("usage: %s [output-dir]" % sys.argv[0])
    out = sys.argv[1] if len(sys.argv) == 2 else os.path.dirname(os.path.abspath(generator))
    os.makedirs(out, exist_ok=True)
    return out

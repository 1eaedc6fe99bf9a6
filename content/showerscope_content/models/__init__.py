"""Physics models: pure numpy functions, no drawing and no file output."""

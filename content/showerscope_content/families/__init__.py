"""One module per family of bundle files. Each defines FILES (the names it makes) and
generate(out_dir), which writes exactly those files."""

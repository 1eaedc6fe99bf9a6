"""The program that makes every file of Showerscope's resource bundle."""

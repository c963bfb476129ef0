"""Content rules run by check.py: one module a rule, each with NAME and check(subject, papers)."""

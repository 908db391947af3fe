# filled in shortly

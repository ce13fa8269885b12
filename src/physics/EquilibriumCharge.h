#pragma once
// The mean charge of a fast heavy ion that has reached charge-state equilibrium in matter.

namespace fenra {

// Pierce and Blann, Phys. Rev. 173 (1968) 390: q / Z1 = 1 - exp(-0.95 v_r), with
// v_r = beta / (alpha Z1^(2/3)) the ion's speed in units of Thomas-Fermi orbital speed of its
// electrons. Returns the charge number q (0 < q < Z1).
double PierceBlannCharge(int Z1, double beta);

}  // namespace fenra

' N-body: the Jovian planets under Newtonian gravity, symplectic integrator.
Const PI = 3.141592653589793
Const DAYS_PER_YEAR = 365.24
Dim SOLAR_MASS
SOLAR_MASS = 4 * PI * PI

Dim nb, x(4), y(4), z(4), vx(4), vy(4), vz(4), mass(4)
nb = 5

Sub SetBody(i, px, py, pz, pvx, pvy, pvz, m)
  x(i) = px : y(i) = py : z(i) = pz
  vx(i) = pvx * DAYS_PER_YEAR : vy(i) = pvy * DAYS_PER_YEAR : vz(i) = pvz * DAYS_PER_YEAR
  mass(i) = m * SOLAR_MASS
End Sub

SetBody 0, 0, 0, 0, 0, 0, 0, 1
SetBody 1, 4.84143144246472090E+00, -1.16032004402742839E+00, -1.03622044471123109E-01, _
  1.66007664274403694E-03, 7.69901118419740425E-03, -6.90460016972063023E-05, 9.54791938424326609E-04
SetBody 2, 8.34336671824457987E+00, 4.12479856412430479E+00, -4.03523417114321381E-01, _
  -2.76742510726862411E-03, 4.99852801234917238E-03, 2.30417297573763929E-05, 2.85885980666130812E-04
SetBody 3, 1.28943695621391310E+01, -1.51111514016986312E+01, -2.23307578892655734E-01, _
  2.96460137564761618E-03, 2.37847173959480950E-03, -2.96589568540237556E-05, 4.36624404335156298E-05
SetBody 4, 1.53796971148509165E+01, -2.59193146099879641E+01, 1.79258772950371181E-01, _
  2.68067772490389322E-03, 1.62824170038242295E-03, -9.51592254519715870E-05, 5.15138902046611451E-05

Sub OffsetMomentum()
  Dim i, px, py, pz
  px = 0 : py = 0 : pz = 0
  For i = 0 To nb - 1
    px = px + vx(i) * mass(i)
    py = py + vy(i) * mass(i)
    pz = pz + vz(i) * mass(i)
  Next
  vx(0) = -px / SOLAR_MASS
  vy(0) = -py / SOLAR_MASS
  vz(0) = -pz / SOLAR_MASS
End Sub

Sub Advance(dt)
  Dim i, j, dx, dy, dz, d2, mag, mi, mj
  For i = 0 To nb - 1
    mi = mass(i)
    For j = i + 1 To nb - 1
      dx = x(i) - x(j)
      dy = y(i) - y(j)
      dz = z(i) - z(j)
      d2 = dx * dx + dy * dy + dz * dz
      mag = dt / (d2 * Sqr(d2))
      mj = mass(j)
      vx(i) = vx(i) - dx * mj * mag
      vy(i) = vy(i) - dy * mj * mag
      vz(i) = vz(i) - dz * mj * mag
      vx(j) = vx(j) + dx * mi * mag
      vy(j) = vy(j) + dy * mi * mag
      vz(j) = vz(j) + dz * mi * mag
    Next
  Next
  For i = 0 To nb - 1
    x(i) = x(i) + dt * vx(i)
    y(i) = y(i) + dt * vy(i)
    z(i) = z(i) + dt * vz(i)
  Next
End Sub

Function Energy()
  Dim i, j, e, dx, dy, dz
  e = 0
  For i = 0 To nb - 1
    e = e + 0.5 * mass(i) * (vx(i) * vx(i) + vy(i) * vy(i) + vz(i) * vz(i))
    For j = i + 1 To nb - 1
      dx = x(i) - x(j)
      dy = y(i) - y(j)
      dz = z(i) - z(j)
      e = e - mass(i) * mass(j) / Sqr(dx * dx + dy * dy + dz * dz)
    Next
  Next
  Energy = e
End Function

Dim n, k
n = 100000
OffsetMomentum
WScript.Echo FormatNumber(Energy(), 9)
For k = 1 To n
  Advance 0.01
Next
WScript.Echo FormatNumber(Energy(), 9)

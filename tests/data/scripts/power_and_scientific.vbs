' Rule: ^ raises to a power and gives a Double; a Double from 1E+15 on is shown in exponent form.
' Case: "2" => "1024|1E+16"
' Case: "0.5" => "0.0009765625|10000"
Function DataUpdated(Data)
  DataUpdated = (CDbl(Data) ^ 10) & "|" & (10 ^ (CDbl(Data) * 8))
End Function
